#include "exchange/ical_writer.h"

#include <libical/ical.h>

#include <QCryptographicHash>
#include <QHash>

namespace {

icaltimetype ical_date(const QDate& date) {
  icaltimetype t = icaltime_null_date();
  t.year = date.year();
  t.month = date.month();
  t.day = date.day();
  return t;
}

// Built from what the event is, and how many equal events came before it, so
// that exporting the same data again gives the same UID.
QByteArray stable_uid(const CalendarEvent& event, QHash<QByteArray, int>& seen) {
  const QString key = event.category + '\n' + event.date.toString(Qt::ISODate) + '\n' +
                      event.summary + '\n' + event.description;
  const QByteArray hash =
      QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(24);
  return hash + '-' + QByteArray::number(seen[hash]++) + "@toribe";
}

icalcomponent* vevent(const CalendarEvent& event, const icaltimetype& stamp,
                      const QByteArray& uid) {
  icalcomponent* e = icalcomponent_new_vevent();
  icalcomponent_add_property(e, icalproperty_new_uid(uid.constData()));
  icalcomponent_add_property(e, icalproperty_new_dtstamp(stamp));
  icalcomponent_add_property(e, icalproperty_new_dtstart(ical_date(event.date)));
  icalcomponent_add_property(e, icalproperty_new_dtend(ical_date(event.date.addDays(1))));
  if (event.yearly) {
    icalrecurrencetype rule;
    icalrecurrencetype_clear(&rule);
    rule.freq = ICAL_YEARLY_RECURRENCE;
    icalcomponent_add_property(e, icalproperty_new_rrule(rule));
  }
  icalcomponent_add_property(e, icalproperty_new_summary(event.summary.toUtf8().constData()));
  if (!event.description.isEmpty())
    icalcomponent_add_property(
        e, icalproperty_new_description(event.description.toUtf8().constData()));
  icalcomponent_add_property(e, icalproperty_new_categories(event.category.toUtf8().constData()));
  icalcomponent_add_property(e, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
  return e;
}

}  // namespace

namespace {

icalcomponent* new_calendar() {
  icalcomponent* calendar = icalcomponent_new_vcalendar();
  icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
  icalcomponent_add_property(calendar, icalproperty_new_prodid("-//Toribe//Toribe//JA"));
  icalcomponent_add_property(calendar, icalproperty_new_calscale("GREGORIAN"));
  return calendar;
}

icaltimetype utc_stamp(const QDateTime& stamp) {
  return icaltime_from_timet_with_zone(time_t(stamp.toSecsSinceEpoch()), 0,
                                       icaltimezone_get_utc_timezone());
}

QByteArray calendar_text(icalcomponent* calendar) {
  char* text = icalcomponent_as_ical_string_r(calendar);
  const QByteArray bytes(text);
  icalmemory_free_buffer(text);
  icalcomponent_free(calendar);
  return bytes;
}

}  // namespace

QByteArray icalendar_bytes(const QList<CalendarEvent>& events, const QDateTime& stamp) {
  icalcomponent* calendar = new_calendar();
  icalproperty* name = icalproperty_new_x("トリベ");
  icalproperty_set_x_name(name, "X-WR-CALNAME");
  icalcomponent_add_property(calendar, name);
  QHash<QByteArray, int> seen;
  for (const CalendarEvent& event : events)
    icalcomponent_add_component(calendar, vevent(event, utc_stamp(stamp), stable_uid(event, seen)));
  return calendar_text(calendar);
}

QByteArray icalendar_item(const CalendarEvent& event, const QDateTime& stamp,
                          const QByteArray& uid) {
  icalcomponent* calendar = new_calendar();
  icalcomponent_add_component(calendar, vevent(event, utc_stamp(stamp), uid));
  return calendar_text(calendar);
}
