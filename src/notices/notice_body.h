#pragma once
// The text of a desktop notice as the notification service will read it.
#include <QString>
#include <QStringList>

// The lines joined by line breaks. A service that takes markup in the body would
// read & < > as markup, so for it they are escaped and the text shows as typed.
QString notice_body(const QStringList& lines, bool takes_markup);
