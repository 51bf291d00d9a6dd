// Draws the toolbar and memo pictures and writes them as PNG files.
//
// Every picture is drawn once on a 16-unit grid and rendered at 1x and 2x, so the two sizes
// match; only fine detail is left out at 1x. Outlines sit on half units, which keeps them
// sharp at both scales.
//
// Build and run by hand (not part of the CMake build):
//   g++ -std=c++20 -fPIC scripts/icons/make_icons.cpp $(pkg-config --cflags --libs Qt6Gui)
//       -o /tmp/make_icons
//   QT_QPA_PLATFORM=offscreen /tmp/make_icons resources [/tmp/icons_sheet.png]

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QTextStream>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace {

// The shared palette.
const QColor kInk(0x33, 0x3b, 0x48);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kCream(0xfb, 0xf3, 0xc8);
const QColor kRed(0xd8, 0x3c, 0x36);
const QColor kBlue(0x3a, 0x74, 0xc8);
const QColor kGreen(0x3c, 0x9a, 0x4c);
const QColor kGold(0xee, 0xb8, 0x2c);
const QColor kBrown(0xa8, 0x6a, 0x38);
const QColor kGrey(0xb4, 0xbc, 0xc6);
const QColor kLightGrey(0xe4, 0xe8, 0xec);

using Drawing = std::function<void(QPainter&)>;

QPen ink_pen(const QColor& colour = kInk, double width = 1.0) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Fine detail (digits inside small shapes, stitches) only shows at 2x; at 1x it would smear.
bool sharp(const QPainter& p) { return p.transform().m11() >= 2; }

void outline_fill(QPainter& p, const QColor& fill) {
  p.setPen(ink_pen());
  p.setBrush(fill);
}

// Text centred in a box, in a font sized in grid units.
void draw_text(QPainter& p, const QRectF& box, const QString& text, const QColor& colour,
               double size, const QString& family = "DejaVu Sans", bool bold = true) {
  // Pixel sizes are whole numbers, so draw large and scale down to the wanted size.
  QFont font(family);
  font.setBold(bold);
  font.setPixelSize(100);
  p.save();
  p.translate(box.center());
  const double k = size / 100.0;
  p.scale(k, k);
  p.setFont(font);
  p.setPen(colour);
  const QRectF big(-box.width() / 2 / k, -box.height() / 2 / k, box.width() / k, box.height() / k);
  p.drawText(big, Qt::AlignCenter, text);
  p.restore();
}

// A wall-calendar page with a red header and two binder rings; the body is 2.5..14.5 by 6..14.5.
void calendar_page(QPainter& p, const QColor& header = kRed) {
  outline_fill(p, kPaper);
  p.drawRoundedRect(QRectF(1.5, 2.5, 13, 12), 1, 1);
  p.setPen(Qt::NoPen);
  p.setBrush(header);
  p.drawRect(QRectF(2, 3, 12, 2.5));
  p.setPen(ink_pen());
  p.drawLine(QPointF(1.5, 5.5), QPointF(14.5, 5.5));
  p.drawLine(QPointF(5, 1.5), QPointF(5, 3.5));
  p.drawLine(QPointF(11, 1.5), QPointF(11, 3.5));
}

// 1: a baseball with its red seams.
void draw_baseball(QPainter& p) {
  outline_fill(p, kPaper);
  p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
  p.setBrush(Qt::NoBrush);
  p.setPen(ink_pen(kRed, 1.0));
  p.drawArc(QRectF(-2.2, 3.0, 8, 10), -55 * 16, 110 * 16);
  p.drawArc(QRectF(10.2, 3.0, 8, 10), 125 * 16, 110 * 16);
  if (!sharp(p)) return;
  p.setPen(ink_pen(kRed, 0.6));
  for (int i = -1; i <= 1; ++i) {
    const double y = 8 + i * 2.6;
    const double dx = std::abs(i) * 0.6;
    p.drawLine(QPointF(5.1 - dx, y), QPointF(6.4 - dx, y - 0.6));
    p.drawLine(QPointF(10.9 + dx, y), QPointF(9.6 + dx, y - 0.6));
  }
}

// 2: three numbered lottery balls.
void draw_lottery(QPainter& p) {
  const std::array<QPointF, 3> centres = {QPointF(4.5, 11), QPointF(11.5, 11), QPointF(8, 5)};
  const std::array<QColor, 3> colours = {kBlue, kGreen, kRed};
  const std::array<const char*, 3> digits = {"3", "7", "5"};
  for (int i = 0; i < 3; ++i) {
    outline_fill(p, colours[i]);
    p.drawEllipse(centres[i], 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    if (sharp(p)) {
      p.drawEllipse(centres[i], 2.4, 2.4);
      draw_text(p, QRectF(centres[i].x() - 3, centres[i].y() - 3, 6, 6), digits[i], kInk, 4.6);
    } else {
      p.drawEllipse(centres[i] + QPointF(-1, -1), 1, 1);
    }
  }
}

// 3: a calendar page showing the era sign 元.
void draw_era(QPainter& p) {
  calendar_page(p);
  draw_text(p, QRectF(2, 5.6, 12, 9), QString::fromUtf8("元"), kInk, 8.4, "IPAGothic");
}

// 4: a calculator with its display and keys.
void draw_calculator(QPainter& p) {
  outline_fill(p, kGrey);
  p.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
  outline_fill(p, QColor(0xd8, 0xec, 0xc8));
  p.drawRect(QRectF(4.5, 2.5, 7, 3));
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      p.setBrush(row == 2 && col == 2 ? kRed : kInk);
      p.drawRect(QRectF(4.5 + col * 2.5, 7.5 + row * 2.5, 2, 1.5));
    }
  }
}

// A filled arrow along x from x0 to x1 (head at x1), centred on y.
void arrow(QPainter& p, double x0, double x1, double y, const QColor& colour) {
  const double dir = x1 > x0 ? 1 : -1;
  const double neck = x1 - dir * 3.5;
  QPolygonF shape;
  shape << QPointF(x0, y - 1) << QPointF(neck, y - 1) << QPointF(neck, y - 3) << QPointF(x1, y)
        << QPointF(neck, y + 3) << QPointF(neck, y + 1) << QPointF(x0, y + 1);
  outline_fill(p, colour);
  p.drawPolygon(shape);
}

// 5: two arrows in opposite directions.
void draw_conversion(QPainter& p) {
  arrow(p, 1.5, 14.5, 4.5, kBlue);
  arrow(p, 14.5, 1.5, 11.5, kGreen);
}

// A small round plus badge.
void plus_badge(QPainter& p, QPointF centre, const QColor& colour) {
  outline_fill(p, colour);
  p.drawEllipse(centre, 3.5, 3.5);
  p.setPen(ink_pen(kPaper, 1.2));
  p.drawLine(centre + QPointF(-2, 0), centre + QPointF(2, 0));
  p.drawLine(centre + QPointF(0, -2), centre + QPointF(0, 2));
}

// 6: a clock with a plus sign.
void draw_time_sum(QPainter& p) {
  outline_fill(p, kPaper);
  p.drawEllipse(QPointF(7, 7), 6, 6);
  p.setPen(ink_pen(kInk, 1.0));
  p.drawLine(QPointF(7, 7), QPointF(7, 3));
  p.drawLine(QPointF(7, 7), QPointF(9.5, 8.5));
  plus_badge(p, QPointF(12, 12), kGreen);
}

// 7: one cell of the periodic table, hydrogen.
void draw_element(QPainter& p) {
  outline_fill(p, QColor(0xd4, 0xe6, 0xf8));
  p.drawRect(QRectF(1.5, 1.5, 13, 13));
  // Atomic number 1, drawn as strokes: text this small lands off-centre.
  p.setPen(ink_pen(kInk, 0.8));
  p.drawLine(QPointF(3.75, 2.75), QPointF(3.75, 5.25));
  p.drawLine(QPointF(3, 3.4), QPointF(3.75, 2.75));
  draw_text(p, QRectF(3.5, 4.3, 11, 10), "H", kBlue, 9.5);
}

// A lined note page with its top-right corner folded.
void note_page(QPainter& p, const QRectF& r, const QColor& fill, int lines) {
  const double fold = 3;
  QPolygonF page;
  page << r.topLeft() << QPointF(r.right() - fold, r.top()) << QPointF(r.right(), r.top() + fold)
       << r.bottomRight() << r.bottomLeft();
  outline_fill(p, fill);
  p.drawPolygon(page);
  QPolygonF corner;
  corner << QPointF(r.right() - fold, r.top()) << QPointF(r.right() - fold, r.top() + fold)
         << QPointF(r.right(), r.top() + fold);
  p.setBrush(fill.darker(115));
  p.drawPolygon(corner);
  p.setPen(ink_pen(kInk.lighter(170), 1.0));
  for (int i = 0; i < lines; ++i) {
    const double y = r.top() + 5 + i * 2.5;
    if (y > r.bottom() - 1.5) break;
    p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
  }
}

// 8: a note with a pencil.
void draw_memo_write(QPainter& p) {
  note_page(p, QRectF(1.5, 1.5, 10, 13), kCream, 4);
  p.save();
  p.translate(10.5, 9.5);
  p.rotate(45);
  // The pencil lies along the x axis here, point towards negative x.
  QPolygonF body;
  body << QPointF(-3, -1.5) << QPointF(6, -1.5) << QPointF(6, 1.5) << QPointF(-3, 1.5);
  outline_fill(p, kGold);
  p.drawPolygon(body);
  QPolygonF tip;
  tip << QPointF(-3, -1.5) << QPointF(-6.5, 0) << QPointF(-3, 1.5);
  outline_fill(p, QColor(0xf4, 0xd8, 0xb0));
  p.drawPolygon(tip);
  outline_fill(p, kRed);
  p.drawRect(QRectF(6, -1.5, 1.5, 3));
  p.restore();
}

// 9: a list of entries with bullets.
void draw_memo_list(QPainter& p) {
  outline_fill(p, kPaper);
  p.drawRoundedRect(QRectF(1.5, 0.5, 13, 15), 1, 1);
  for (int i = 0; i < 4; ++i) {
    const double y = 3.5 + i * 3;
    p.setPen(Qt::NoPen);
    p.setBrush(i == 0 ? kRed : kBlue);
    p.drawRect(QRectF(3.5, y - 1, 2, 2));
    p.setPen(ink_pen(kInk, 1.0));
    p.drawLine(QPointF(7.5, y), QPointF(12.5, y));
  }
}

// 10: a wrapped gift with a bow.
void draw_gift(QPainter& p) {
  outline_fill(p, kBlue);
  p.drawRect(QRectF(2.5, 8.5, 11, 6));
  outline_fill(p, kBlue.lighter(125));
  p.drawRect(QRectF(1.5, 5.5, 13, 3));
  p.setPen(Qt::NoPen);
  p.setBrush(kRed);
  p.drawRect(QRectF(7, 6, 2, 8));
  p.setPen(ink_pen());
  p.drawLine(QPointF(6.5, 5.5), QPointF(6.5, 14.5));
  p.drawLine(QPointF(9.5, 5.5), QPointF(9.5, 14.5));
  outline_fill(p, kRed);
  QPainterPath bow;
  bow.moveTo(8, 5.5);
  bow.cubicTo(6, 0.5, 2.5, 2, 4.5, 5.5);
  bow.closeSubpath();
  bow.moveTo(8, 5.5);
  bow.cubicTo(10, 0.5, 13.5, 2, 11.5, 5.5);
  bow.closeSubpath();
  p.drawPath(bow);
}

// A gold yen coin.
void yen_coin(QPainter& p, QPointF c, double r) {
  outline_fill(p, kGold);
  p.drawEllipse(c, r, r);
  p.setPen(ink_pen(kBrown, 1.0));
  const double s = r / 5.5;
  p.drawLine(c + QPointF(-2.5 * s, -3 * s), c + QPointF(0, 0));
  p.drawLine(c + QPointF(2.5 * s, -3 * s), c + QPointF(0, 0));
  p.drawLine(c + QPointF(0, 0), c + QPointF(0, 3.5 * s));
  p.drawLine(c + QPointF(-2.2 * s, 0.5 * s), c + QPointF(2.2 * s, 0.5 * s));
  p.drawLine(c + QPointF(-2.2 * s, 2.3 * s), c + QPointF(2.2 * s, 2.3 * s));
}

// 11: two coins, the front one a yen coin.
void draw_pocket_money(QPainter& p) {
  outline_fill(p, kGold.darker(115));
  p.drawEllipse(QPointF(5.5, 5.5), 4.5, 4.5);
  yen_coin(p, QPointF(9.5, 9.5), 5.5);
}

// 12: a business card with a portrait and lines of text.
void draw_card(QPainter& p) {
  outline_fill(p, kPaper);
  p.drawRoundedRect(QRectF(0.5, 3.5, 15, 10), 1, 1);
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(4.5, 7), 1.8, 1.8);
  QPainterPath body;
  body.moveTo(1.8, 12.5);
  body.cubicTo(1.8, 9, 7.2, 9, 7.2, 12.5);
  body.closeSubpath();
  p.drawPath(body);
  p.setPen(ink_pen(kInk, 1.0));
  p.drawLine(QPointF(9, 6.5), QPointF(13.5, 6.5));
  p.setPen(ink_pen(kInk.lighter(170), 1.0));
  p.drawLine(QPointF(9, 9), QPointF(13.5, 9));
  p.drawLine(QPointF(9, 11), QPointF(12, 11));
}

// 13: an address book with the postal mark 〒 on its cover.
void draw_address_book(QPainter& p) {
  outline_fill(p, kGreen);
  p.drawRoundedRect(QRectF(2.5, 0.5, 12, 15), 1, 1);
  p.setPen(ink_pen(kInk, 1.0));
  p.drawLine(QPointF(4.5, 0.5), QPointF(4.5, 15.5));
  // Tabs of the index on the spine side.
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  for (int i = 0; i < 3; ++i) p.drawRect(QRectF(1, 3 + i * 4, 2, 2));
  outline_fill(p, kPaper);
  p.drawRect(QRectF(6.5, 3.5, 6, 8));
  p.setPen(ink_pen(kRed, 1.2));
  p.drawLine(QPointF(7.7, 5.3), QPointF(11.3, 5.3));
  p.drawLine(QPointF(7.7, 7.3), QPointF(11.3, 7.3));
  p.drawLine(QPointF(9.5, 7.3), QPointF(9.5, 10.3));
}

// 14 and 15: a calendar showing a digit.
void draw_calendar_digit(QPainter& p, const char* digit) {
  calendar_page(p);
  draw_text(p, QRectF(2, 5.8, 12, 9), digit, kInk, 8.6);
}

// Small day cells of a month page; the cell at `mark` is filled with `mark_colour`.
void day_cells(QPainter& p, int mark, const QColor& mark_colour) {
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 4; ++col) {
      const int k = row * 4 + col;
      const QRectF cell(3 + col * 2.75, 7 + row * 2.5, 1.75, 1.5);
      p.setBrush(k == mark ? mark_colour : kGrey);
      p.drawRect(k == mark ? cell.adjusted(-0.5, -0.5, 0.5, 0.5) : cell);
    }
  }
}

// 16: a calendar with one day marked red as a holiday.
void draw_user_holiday(QPainter& p) {
  calendar_page(p, kBlue);
  day_cells(p, 6, kRed);
}

// 17: a birthday cake with a candle.
void draw_anniversary(QPainter& p) {
  outline_fill(p, QColor(0xf6, 0xd9, 0xa8));
  p.drawRect(QRectF(1.5, 8.5, 13, 6));
  outline_fill(p, QColor(0xf7, 0xb6, 0xc8));
  QPainterPath icing;
  icing.moveTo(1.5, 8.5);
  icing.lineTo(14.5, 8.5);
  icing.lineTo(14.5, 10.5);
  for (int i = 0; i < 4; ++i) {
    const double x = 14.5 - i * 3.25;
    icing.quadTo(x - 1.6, 13, x - 3.25, 10.5);
  }
  icing.closeSubpath();
  p.drawPath(icing);
  outline_fill(p, kBlue);
  p.drawRect(QRectF(7, 4.5, 2, 4));
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  QPainterPath flame;
  flame.moveTo(8, 0.3);
  flame.cubicTo(9.8, 2.2, 9.4, 3.8, 8, 3.8);
  flame.cubicTo(6.6, 3.8, 6.2, 2.2, 8, 0.3);
  p.drawPath(flame);
  p.setBrush(kRed);
  p.drawEllipse(QPointF(8, 2.8), 0.6, 0.8);
}

// 18: a die showing five, its middle pip red.
void draw_die(QPainter& p) {
  outline_fill(p, kPaper);
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2.5, 2.5);
  p.setPen(Qt::NoPen);
  const std::array<QPointF, 4> corners = {QPointF(4.8, 4.8), QPointF(11.2, 4.8), QPointF(4.8, 11.2),
                                          QPointF(11.2, 11.2)};
  p.setBrush(kInk);
  for (const QPointF& c : corners) p.drawEllipse(c, 1.3, 1.3);
  p.setBrush(kRed);
  p.drawEllipse(QPointF(8, 8), 1.8, 1.8);
}

// 19 to 23: the spare buttons, a faint dotted square.
void draw_blank(QPainter& p) {
  QPen pen(kGrey, 1.0, Qt::CustomDashLine, Qt::FlatCap);
  pen.setDashPattern({1, 1});
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(2.5, 2.5, 11, 11));
}

// 24: a calendar with an arrow pointing at today.
void draw_jump_today(QPainter& p) {
  calendar_page(p, kGreen);
  day_cells(p, 7, kRed);
  const double y = 10.25;
  QPolygonF pointer;
  pointer << QPointF(2.5, y - 1) << QPointF(6.5, y - 1) << QPointF(6.5, y - 3) << QPointF(10, y)
          << QPointF(6.5, y + 3) << QPointF(6.5, y + 1) << QPointF(2.5, y + 1);
  outline_fill(p, kBlue);
  p.drawPolygon(pointer);
}

// 25: a question mark on a blue disc.
void draw_help(QPainter& p) {
  outline_fill(p, kBlue);
  p.drawEllipse(QPointF(8, 8), 7, 7);
  draw_text(p, QRectF(1, 1.3, 14, 14), "?", kPaper, 11.5);
}

// 26: an open door with an arrow leading out.
void draw_quit(QPainter& p) {
  outline_fill(p, kLightGrey);
  p.drawRect(QRectF(1.5, 1.5, 9, 13));
  QPolygonF leaf;
  leaf << QPointF(1.5, 1.5) << QPointF(6.5, 3.5) << QPointF(6.5, 15.5) << QPointF(1.5, 14.5);
  outline_fill(p, kBrown);
  p.drawPolygon(leaf);
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  p.drawEllipse(QPointF(5.3, 9), 0.7, 0.7);
  QPolygonF out;
  out << QPointF(8.5, 7) << QPointF(12, 7) << QPointF(12, 4.8) << QPointF(15.5, 8)
      << QPointF(12, 11.2) << QPointF(12, 9) << QPointF(8.5, 9);
  outline_fill(p, kRed);
  p.drawPolygon(out);
}

// Memo icons, 24 by 20 pixels: a note; today's note carries a star.
void draw_memo_day(QPainter& p) { note_page(p, QRectF(3.5, 1.5, 13, 17), kCream, 5); }

void star(QPainter& p, QPointF c, double r_out, double r_in) {
  QPolygonF shape;
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5;
    const double r = i % 2 == 0 ? r_out : r_in;
    shape << c + QPointF(r * std::cos(a), r * std::sin(a));
  }
  outline_fill(p, kGold);
  p.drawPolygon(shape);
}

void draw_memo_today(QPainter& p) {
  draw_memo_day(p);
  star(p, QPointF(17.5, 13.5), 6, 2.6);
}

// The program's own icon: the calendar page with a red header, "ト" for トリベ,
// and a gold star in its corner for the tools beside the calendar.
void draw_application(QPainter& p) {
  calendar_page(p, kRed);
  draw_text(p, QRectF(1.5, 5.6, 10, 9), QString::fromUtf8("ト"), kInk, 8.2, "IPAGothic");
  QPolygonF shape;
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5;
    const double r = i % 2 == 0 ? 2.9 : 1.25;
    shape << QPointF(11.8, 11.2) + QPointF(r * std::cos(a), r * std::sin(a));
  }
  p.setPen(ink_pen(kInk, 0.6));
  p.setBrush(kGold);
  p.drawPolygon(shape);
}

QImage render(const Drawing& drawing, int width, int height, double scale) {
  QImage image(qRound(width * scale), qRound(height * scale), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(scale, scale);
  drawing(p);
  p.end();
  return image;
}

bool save(const QImage& image, const QString& path) {
  if (image.save(path, "PNG")) return true;
  QTextStream(stderr) << "cannot write " << path << "\n";
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);  // fonts need a running application
  if (argc < 2) {
    QTextStream(stderr) << "usage: make_icons <resources dir> [contact sheet]\n";
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));
  root.mkpath("toolbar");
  root.mkpath("memo");

  const std::array<Drawing, 26> toolbar = {
      draw_baseball,
      draw_lottery,
      draw_era,
      draw_calculator,
      draw_conversion,
      draw_time_sum,
      draw_element,
      draw_memo_write,
      draw_memo_list,
      draw_gift,
      draw_pocket_money,
      draw_card,
      draw_address_book,
      [](QPainter& p) { draw_calendar_digit(p, "1"); },
      [](QPainter& p) { draw_calendar_digit(p, "2"); },
      draw_user_holiday,
      draw_anniversary,
      draw_die,
      draw_blank,
      draw_blank,
      draw_blank,
      draw_blank,
      draw_blank,
      draw_jump_today,
      draw_help,
      draw_quit,
  };

  bool ok = true;
  std::vector<QImage> sheet_items;
  // The 1x pictures side by side as well: the program reads the toolbar from
  // this one strip, which is quicker than 26 files.
  QImage strip(16 * 26, 16, QImage::Format_ARGB32);
  strip.fill(Qt::transparent);
  QPainter strip_painter(&strip);
  strip_painter.setCompositionMode(QPainter::CompositionMode_Source);
  for (int i = 0; i < 26; ++i) {
    const QString base = root.filePath(QString("toolbar/%1").arg(i + 1, 2, 10, QChar('0')));
    const QImage small = render(toolbar[i], 16, 16, 1);
    const QImage large = render(toolbar[i], 16, 16, 2);
    ok = save(small, base + ".png") && ok;
    ok = save(large, base + "@2x.png") && ok;
    strip_painter.drawImage(16 * i, 0, small.convertToFormat(QImage::Format_ARGB32));
    sheet_items.push_back(small);
    sheet_items.push_back(large);
  }
  strip_painter.end();
  ok = save(strip, root.filePath("toolbar/strip.png")) && ok;
  const QImage day = render(draw_memo_day, 24, 20, 1);
  const QImage today = render(draw_memo_today, 24, 20, 1);
  ok = save(day, root.filePath("memo/day.png")) && ok;
  ok = save(today, root.filePath("memo/today.png")) && ok;
  sheet_items.push_back(day);
  sheet_items.push_back(today);

  // The application icon, at the sizes the desktop's icon theme looks for.
  root.mkpath("app");
  for (int size : {16, 22, 24, 32, 48, 64, 96, 128, 256, 512}) {
    const QImage icon = render(draw_application, 16, 16, size / 16.0);
    ok = save(icon, root.filePath(QString("app/toribe_%1.png").arg(size))) && ok;
    if (size <= 32) sheet_items.push_back(icon);
  }

  // Optional contact sheet: every image enlarged four times on a light grid.
  if (argc >= 3) {
    constexpr int kCell = 140;
    constexpr int kColumns = 8;
    const int rows = (static_cast<int>(sheet_items.size()) + kColumns - 1) / kColumns;
    QImage sheet(kCell * kColumns, kCell * rows, QImage::Format_ARGB32);
    sheet.fill(QColor(0xf0, 0xf0, 0xf0));
    QPainter p(&sheet);
    for (int k = 0; k < static_cast<int>(sheet_items.size()); ++k) {
      const QImage& item = sheet_items[k];
      const QImage big = item.scaled(item.size() * 4);
      const int x = (k % kColumns) * kCell + (kCell - big.width()) / 2;
      const int y = (k / kColumns) * kCell + (kCell - big.height()) / 2;
      p.drawImage(x, y, big);
      p.setPen(QColor(0xc0, 0xc0, 0xc0));
      p.drawRect((k % kColumns) * kCell, (k / kColumns) * kCell, kCell - 1, kCell - 1);
    }
    p.end();
    ok = save(sheet, QString::fromLocal8Bit(argv[2])) && ok;
  }
  return ok ? 0 : 1;
}
