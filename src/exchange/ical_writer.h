#pragma once
// The calendar's events as an iCalendar file (libical): all-day, transparent
// events whose UIDs stay the same as long as the data do.
#include <QByteArray>
#include <QDateTime>
#include <QList>

#include "exchange/calendar_events.h"

QByteArray icalendar_bytes(const QList<CalendarEvent>& events, const QDateTime& stamp);
