#pragma once
// The address book on paper: A4 sheets of 12 labels, and New Year postcards
// written downwards, one address a card.
#include <QStringList>
#include <vector>

#include "core/page.h"

// One address as printed: the address book's name, postal code and two address lines.
struct PostalAddress {
  QString name;
  QString postcode;
  QString line1;
  QString line2;
};

// The address book's records in file order (name, postal code, address 1, 2, ...).
std::vector<PostalAddress> postal_addresses(const std::vector<QStringList>& records);

// Labels of 86.4 × 42.3 mm, two across and six down on A4, filled row by row.
PaperDocument label_pages(const std::vector<PostalAddress>& addresses);

// One 100 × 148 mm card per address that has a name; the others are counted.
struct PostcardPages {
  PaperDocument document;
  int left_out = 0;  // addresses without a name
};
// A real postcard carries its own red postcode boxes: their outlines are drawn
// only when asked, for a plain card or a look at the layout. The digits stay put.
enum class BoxOutlines { Omit, Draw };
PostcardPages postcard_pages(const std::vector<PostalAddress>& addresses,
                             BoxOutlines outlines = BoxOutlines::Omit);

// Where a postal code's seven digits are written on a card: the centres of the
// boxes printed on Japanese postcards, in mm from the card's top left.
QPointF postcode_box_centre(int digit);
