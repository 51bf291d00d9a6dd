#include "sync/event_mapping.h"

#include <libical/ical.h>

#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <memory>

#include "exchange/calendar_events.h"
#include "exchange/ical_writer.h"

namespace {

using Component = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

Component parse(const QByteArray& ics) {
  return Component(icalparser_parse_string(ics.constData()), &icalcomponent_free);
}

const QString kHolidayCategory = QStringLiteral("ユーザー休日");

QDate date_of(const icaltimetype& t) { return QDate(t.year, t.month, t.day); }

QString text_of(icalcomponent* event, icalproperty_kind kind) {
  icalproperty* p = icalcomponent_get_first_property(event, kind);
  if (!p) return {};
  const char* value = icalproperty_get_value_as_string(p);
  icalvalue* v = icalproperty_get_value(p);
  if (v && icalvalue_isa(v) == ICAL_TEXT_VALUE) value = icalvalue_get_text(v);
  return QString::fromUtf8(value ? value : "");
}

bool has_category(icalcomponent* event, const QString& category) {
  for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY); p;
       p = icalcomponent_get_next_property(event, ICAL_CATEGORIES_PROPERTY))
    if (QString::fromUtf8(icalproperty_get_categories(p)).split(',').contains(category))
      return true;
  return false;
}

// The memo text of an event: our own items hold the whole text in
// DESCRIPTION with its first line as SUMMARY; a phone's has a SUMMARY and
// perhaps notes.
QString memo_text(const QString& summary, const QString& description) {
  if (description.isEmpty()) return summary;
  // Readers drop the blanks that end a value, so a first line may have lost them.
  if (description.section('\n', 0, 0).trimmed() == summary.trimmed()) return description;
  return summary + '\n' + description;
}

// The wall-clock time of a timed start: a UTC time in this machine's zone.
QTime start_time(const icaltimetype& start) {
  const QTime time(start.hour, start.minute);
  if (!icaltime_is_utc(start)) return time;
  return QDateTime(date_of(start), time, QTimeZone::utc()).toLocalTime().time();
}

QDate start_day(const icaltimetype& start) {
  if (start.is_date || !icaltime_is_utc(start)) return date_of(start);
  return QDateTime(date_of(start), QTime(start.hour, start.minute), QTimeZone::utc())
      .toLocalTime()
      .date();
}

// Days the event covers: 1 for a one-day event.
int day_span(icalcomponent* event, const icaltimetype& start) {
  icaltimetype end = icalcomponent_get_dtend(event);  // from DURATION too
  if (icaltime_is_null_time(end)) return 1;
  const int days = int(date_of(start).daysTo(date_of(end)));
  if (start.is_date) return std::max(days, 1);
  // A timed event ending at midnight ends the day it began.
  const bool ends_at_midnight = end.hour == 0 && end.minute == 0 && end.second == 0;
  return days - (ends_at_midnight && days > 0 ? 1 : 0) + 1;
}

bool yearly(const icalrecurrencetype& rule) {
  return rule.freq == ICAL_YEARLY_RECURRENCE && rule.interval <= 1 && rule.count == 0 &&
         icaltime_is_null_time(rule.until) && rule.by_day[0] == ICAL_RECURRENCE_ARRAY_MAX &&
         rule.by_year_day[0] == ICAL_RECURRENCE_ARRAY_MAX &&
         rule.by_week_no[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

icalcomponent* only_event(icalcomponent* calendar) {
  if (!calendar) return nullptr;
  if (icalcomponent_isa(calendar) == ICAL_VEVENT_COMPONENT) return calendar;
  if (icalcomponent_isa(calendar) != ICAL_VCALENDAR_COMPONENT) return nullptr;
  // Tasks, journals and changed occurrences of a series are not ours.
  if (icalcomponent_count_components(calendar, ICAL_VTODO_COMPONENT) ||
      icalcomponent_count_components(calendar, ICAL_VJOURNAL_COMPONENT) ||
      icalcomponent_count_components(calendar, ICAL_VEVENT_COMPONENT) != 1)
    return nullptr;
  return icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
}

QString hh_mm(const QTime& time) { return time.toString("HH:mm") + ' '; }

// A record's day: anniversaries fall in 2000, a leap year, so 29 February is a day.
QDate record_day(const SyncRecord& record) {
  if (record.kind == RecordKind::Anniversary)
    return QDate(2000, record.key.left(2).toInt(), record.key.mid(2, 2).toInt());
  return QDate::fromString(record.key,
                           record.kind == RecordKind::Holiday ? "yyyyMMdd" : "yyyy/MM/dd");
}

CalendarEvent calendar_event(const SyncRecord& record) {
  switch (record.kind) {
    case RecordKind::Anniversary:
      return {record_day(record), record.fields.value(0), {}, "記念日", true};
    case RecordKind::Holiday:
      return {record_day(record), "休日", {}, kHolidayCategory};
    default: {
      const QString text = record.fields.value(0);
      return {record_day(record), text.section('\n', 0, 0), text, "メモ"};
    }
  }
}

void set_text(icalcomponent* event, icalproperty_kind kind, const QString& text) {
  while (icalproperty* p = icalcomponent_get_first_property(event, kind)) {
    icalcomponent_remove_property(event, p);
    icalproperty_free(p);
  }
  if (text.isEmpty()) return;
  icalproperty* p = icalproperty_new(kind);
  icalproperty_set_value(p, icalvalue_new_text(text.toUtf8().constData()));
  icalcomponent_add_property(event, p);
}

// Moves the event to the day, keeping its time of day and its length.
void move_to(icalcomponent* event, const QDate& day) {
  icaltimetype start = icalcomponent_get_dtstart(event);
  const int shift = int(date_of(start).daysTo(day));
  if (shift == 0) return;
  icaltimetype end = icalcomponent_get_dtend(event);
  const bool had_end = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY) != nullptr;
  icaltime_adjust(&start, shift, 0, 0, 0);
  icalcomponent_set_dtstart(event, start);
  if (had_end) {
    icaltime_adjust(&end, shift, 0, 0, 0);
    icalcomponent_set_dtend(event, end);
  }
}

}  // namespace

std::optional<SyncRecord> event_record(const QByteArray& ics) {
  Component calendar = parse(ics);
  icalcomponent* event = only_event(calendar.get());
  if (!event) return std::nullopt;
  const icaltimetype start = icalcomponent_get_dtstart(event);
  if (icaltime_is_null_time(start) || !icaltime_is_valid_time(start)) return std::nullopt;
  if (!start.is_date && !QTime(start.hour, start.minute, start.second).isValid())
    return std::nullopt;
  if (icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY)) return std::nullopt;
  const QString summary = text_of(event, ICAL_SUMMARY_PROPERTY);
  const QDate day = start_day(start);
  if (!day.isValid() || day.year() < 1000 || day.year() > 9999) return std::nullopt;
  if (day_span(event, start) != 1) return std::nullopt;
  if (icalproperty* rrule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY)) {
    if (!start.is_date || !yearly(icalproperty_get_rrule(rrule))) return std::nullopt;
    return SyncRecord{RecordKind::Anniversary, day.toString("MMdd"), {summary}};
  }
  // National holidays are computed here: an export's copies on a phone are not memos.
  if (has_category(event, QStringLiteral("祝日"))) return std::nullopt;
  if (start.is_date && has_category(event, kHolidayCategory))
    return SyncRecord{RecordKind::Holiday, day.toString("yyyyMMdd"), {}};
  QString text = memo_text(summary, text_of(event, ICAL_DESCRIPTION_PROPERTY));
  if (!start.is_date) text.prepend(hh_mm(start_time(start)));
  return SyncRecord{RecordKind::Memo, day.toString("yyyy/MM/dd"), {text}};
}

QByteArray event_bytes(const SyncRecord& record, const QByteArray& server_copy,
                       const std::optional<SyncRecord>& old, const QByteArray& uid) {
  Component calendar = parse(server_copy);
  icalcomponent* event = server_copy.isEmpty() ? nullptr : only_event(calendar.get());
  if (!event || !old || old->kind != record.kind)
    return icalendar_item(calendar_event(record), QDateTime::currentDateTimeUtc(), uid);
  if (old->key != record.key) move_to(event, record_day(record));
  if (record.kind != RecordKind::Holiday && old->fields != record.fields) {
    QString text = record.fields.value(0);
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (const QString time = hh_mm(start_time(start)); !start.is_date && text.startsWith(time))
      text = text.mid(time.size());
    set_text(event, ICAL_SUMMARY_PROPERTY, text.section('\n', 0, 0));
    if (record.kind == RecordKind::Memo)
      set_text(event, ICAL_DESCRIPTION_PROPERTY, text.contains('\n') ? text : QString());
  }
  char* text = icalcomponent_as_ical_string_r(calendar.get());
  const QByteArray bytes(text);
  icalmemory_free_buffer(text);
  return bytes;
}
