#include "core/fields.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
  const char* line;
  QStringList fields;
};

TEST(SplitFields, ReadsLikeInputFromAFile) {
  const SplitCase cases[] = {
      // Commas and the line end close fields; an empty line is one empty field.
      {"a,b,c", {"a", "b", "c"}},
      {"", {""}},
      {"a,", {"a", ""}},
      {",a", {"", "a"}},
      {",,", {"", "", ""}},
      // Unquoted fields lose blanks around them, not inside.
      {"  a  ,  b c  ", {"a", "b c"}},
      {"\t1\t,2", {"1", "2"}},
      {"   ", {""}},
      // Quotes keep commas and blanks, and are themselves removed.
      {"\"a,b\",c", {"a,b", "c"}},
      {"\" a \",b", {" a ", "b"}},
      {"\"\"", {""}},
      {"\"\",\"\"", {"", ""}},
      {"  \"x\",y", {"x", "y"}},
      {"\"a\",", {"a", ""}},
      // Text after the closing quote up to the next comma is dropped.
      {"\"x\"junk,y", {"x", "y"}},
      {"\"x\" ,y", {"x", "y"}},
      {"\"x\"junk", {"x"}},
      // An unclosed quote takes the rest of the line, commas included.
      {"\"unclosed,rest", {"unclosed,rest"}},
      {"a,\"b", {"a", "b"}},
      // A quote inside an unquoted field is an ordinary character.
      {"a\"b,c", {"a\"b", "c"}},
      // Ideographic blanks belong to the value (padded team names).
      {"巨人　　　,５", {"巨人　　　", "５"}},
      {"　a　", {"　a　"}},
      // A typical record.
      {"2003/05/12,\"昼食, 喫茶\",  1500", {"2003/05/12", "昼食, 喫茶", "1500"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(split_fields(QString::fromUtf8(c.line)), c.fields) << c.line;
  }
}

TEST(FirstField, TakesTheTextUpToTheFirstCommaUntrimmed) {
  EXPECT_EQ(first_field("KOZ = 200305"), "KOZ = 200305");
  // The reserved settings lines keep their trailing blank.
  EXPECT_EQ(first_field("TORIBE1 = "), "TORIBE1 = ");
  EXPECT_EQ(first_field(" a ,b,c"), " a ");
  EXPECT_EQ(first_field(",x"), "");
  EXPECT_EQ(first_field(""), "");
}

}  // namespace
