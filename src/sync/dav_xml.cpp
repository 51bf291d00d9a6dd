#include "sync/dav_xml.h"

#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <functional>

namespace {

const QString kDav = QStringLiteral("DAV:");
const QString kCaldav = QStringLiteral("urn:ietf:params:xml:ns:caldav");
const QString kCarddav = QStringLiteral("urn:ietf:params:xml:ns:carddav");

// Reads one <response>; the reader stands on its start tag.
DavEntry read_response(QXmlStreamReader& xml) {
  DavEntry entry;
  int response_status = 0, prop_status = 0;
  DavEntry props;  // values of the propstat being read
  QStringList* hrefs = nullptr;
  QStringList path;
  while (!xml.atEnd()) {
    const auto token = xml.readNext();
    if (token == QXmlStreamReader::StartElement) {
      const QString name = xml.name().toString(), ns = xml.namespaceUri().toString();
      path << name;
      if (ns == kDav && name == "propstat") {
        props = {};
        prop_status = 200;
      } else if (ns == kDav && name == "current-user-principal") {
        hrefs = &props.principal;
      } else if (ns == kCaldav && name == "calendar-home-set") {
        hrefs = &props.calendar_home;
      } else if (ns == kCarddav && name == "addressbook-home-set") {
        hrefs = &props.addressbook_home;
      } else if (ns == kDav && name == "href") {
        const QString text = xml.readElementText().trimmed();
        path.removeLast();
        if (hrefs)
          *hrefs << text;
        else if (path.size() == 0)
          entry.href = canonical_href(text);
      } else if (ns == kDav && name == "status") {
        const QStringList words = xml.readElementText().split(' ', Qt::SkipEmptyParts);
        path.removeLast();
        const int code = words.value(1).toInt();
        (path.isEmpty() ? response_status : prop_status) = code;
      } else if (ns == kDav && name == "getetag") {
        props.etag = xml.readElementText().trimmed();
        path.removeLast();
      } else if (ns == kDav && name == "displayname") {
        props.display_name = xml.readElementText().trimmed();
        path.removeLast();
      } else if (ns == kDav && name == "collection") {
        props.collection = true;
      } else if (ns == kCaldav && name == "calendar") {
        props.calendar = true;
      } else if (ns == kCarddav && name == "addressbook") {
        props.addressbook = true;
      } else if (ns == kCarddav && name == "address-data-type") {
        if (xml.attributes().value("version") == u"4.0") props.vcard4 = true;
      } else if ((ns == kCaldav && name == "calendar-data") ||
                 (ns == kCarddav && name == "address-data" &&
                  !path.contains("supported-address-data"))) {
        props.data = xml.readElementText().toUtf8();
        path.removeLast();
      }
    } else if (token == QXmlStreamReader::EndElement) {
      const QString name = xml.name().toString();
      if (!path.isEmpty()) path.removeLast();
      if (name == "current-user-principal" || name == "calendar-home-set" ||
          name == "addressbook-home-set")
        hrefs = nullptr;
      if (name == "propstat" && prop_status >= 200 && prop_status < 300) {
        // A property the server does not have comes in a 404 propstat: its
        // (empty) value must not hide the real ones.
        entry.etag = props.etag.isEmpty() ? entry.etag : props.etag;
        entry.display_name = props.display_name.isEmpty() ? entry.display_name : props.display_name;
        entry.collection |= props.collection;
        entry.calendar |= props.calendar;
        entry.addressbook |= props.addressbook;
        entry.vcard4 |= props.vcard4;
        entry.principal += props.principal;
        entry.calendar_home += props.calendar_home;
        entry.addressbook_home += props.addressbook_home;
        if (!props.data.isEmpty()) entry.data = props.data;
      }
      if (name == "response" && xml.namespaceUri() == kDav) break;
    }
  }
  entry.status = response_status ? response_status : 200;
  return entry;
}

QByteArray document(const std::function<void(QXmlStreamWriter&)>& body) {
  QByteArray bytes;
  QXmlStreamWriter w(&bytes);
  w.writeStartDocument();
  w.writeNamespace(kDav, "d");
  w.writeNamespace(kCaldav, "c");
  w.writeNamespace(kCarddav, "a");
  body(w);
  w.writeEndDocument();
  return bytes;
}

void props(QXmlStreamWriter& w, const QList<std::pair<QString, QString>>& names) {
  w.writeStartElement(kDav, "prop");
  for (const auto& [ns, name] : names) w.writeEmptyElement(ns, name);
  w.writeEndElement();
}

}  // namespace

QString canonical_href(const QString& href) {
  return QUrl::fromEncoded(href.trimmed().toUtf8()).path(QUrl::FullyEncoded);
}

std::optional<Multistatus> read_multistatus(const QByteArray& bytes) {
  QXmlStreamReader xml(bytes);
  Multistatus result;
  bool seen_root = false;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.namespaceUri() != kDav) continue;
    if (xml.name() == u"multistatus") {
      seen_root = true;
    } else if (seen_root && xml.name() == u"response") {
      result.entries << read_response(xml);
    } else if (seen_root && xml.name() == u"sync-token") {
      result.sync_token = xml.readElementText().trimmed();
    }
  }
  if (xml.hasError() || !seen_root) return std::nullopt;
  return result;
}

QByteArray propfind_discovery_body() {
  return document([](QXmlStreamWriter& w) {
    w.writeStartElement(kDav, "propfind");
    props(w, {{kDav, "resourcetype"},
              {kDav, "displayname"},
              {kDav, "current-user-principal"},
              {kCaldav, "calendar-home-set"},
              {kCarddav, "addressbook-home-set"},
              {kCarddav, "supported-address-data"}});
    w.writeEndElement();
  });
}

QByteArray propfind_etags_body() {
  return document([](QXmlStreamWriter& w) {
    w.writeStartElement(kDav, "propfind");
    props(w, {{kDav, "resourcetype"}, {kDav, "getetag"}});
    w.writeEndElement();
  });
}

QByteArray sync_collection_body(const QString& token) {
  return document([&](QXmlStreamWriter& w) {
    w.writeStartElement(kDav, "sync-collection");
    w.writeTextElement(kDav, "sync-token", token);
    w.writeTextElement(kDav, "sync-level", "1");
    props(w, {{kDav, "getetag"}});
    w.writeEndElement();
  });
}

QByteArray multiget_body(bool calendar, const QStringList& hrefs) {
  return document([&](QXmlStreamWriter& w) {
    w.writeStartElement(calendar ? kCaldav : kCarddav,
                        calendar ? "calendar-multiget" : "addressbook-multiget");
    props(w, {{kDav, "getetag"},
              calendar ? std::pair{kCaldav, QString("calendar-data")}
                       : std::pair{kCarddav, QString("address-data")}});
    for (const QString& href : hrefs) w.writeTextElement(kDav, "href", href);
    w.writeEndElement();
  });
}

QByteArray make_collection_body(bool calendar, const QString& display_name) {
  return document([&](QXmlStreamWriter& w) {
    w.writeStartElement(calendar ? kCaldav : kDav, calendar ? "mkcalendar" : "mkcol");
    w.writeStartElement(kDav, "set");
    w.writeStartElement(kDav, "prop");
    if (!calendar) {
      w.writeStartElement(kDav, "resourcetype");
      w.writeEmptyElement(kDav, "collection");
      w.writeEmptyElement(kCarddav, "addressbook");
      w.writeEndElement();
    } else {
      w.writeStartElement(kCaldav, "supported-calendar-component-set");
      for (const char* component : {"VEVENT", "VTODO", "VJOURNAL"}) {
        w.writeEmptyElement(kCaldav, "comp");
        w.writeAttribute("name", component);
      }
      w.writeEndElement();
    }
    w.writeTextElement(kDav, "displayname", display_name);
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndElement();
  });
}
