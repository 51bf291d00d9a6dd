#pragma once
// The calendar's events as an iCalendar file (libical): all-day, transparent
// events whose UIDs stay the same as long as the data do.
#include <QByteArray>
#include <QDateTime>
#include <QList>

#include "exchange/calendar_events.h"

QByteArray icalendar_bytes(const QList<CalendarEvent>& events, const QDateTime& stamp);

// One event alone in its calendar, with the given UID: an item of a CalDAV collection.
QByteArray icalendar_item(const CalendarEvent& event, const QDateTime& stamp,
                          const QByteArray& uid);
