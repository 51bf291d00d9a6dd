// The exchange module's entry.
#include "core/module_loader.h"
#include "exchange/exchange.h"
#include "exchange/exchange_feature.h"

namespace {

bool import(const QString& data_dir, ContactBook book, const QByteArray& input,
            const QString& file_name, QString& message) {
  const auto outcome = import_contacts(data_dir, book, input, file_name);
  if (const auto* error = std::get_if<QString>(&outcome)) {
    message = *error;
    return false;
  }
  message = std::get<ImportSummary>(outcome).text();
  return true;
}

const ExchangeFeature functions{&export_calendar, &export_contacts,   &export_ledger,
                                &export_gifts,    &ledger_year_shown, &import};

}  // namespace

class ExchangeModule : public QObject, public FeatureModule {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID TORIBE_FEATURE_MODULE_IID)
  Q_INTERFACES(FeatureModule)

 public:
  QString name() const override { return ExchangeFeature::kModule; }
  const void* functions() const override { return &::functions; }
};

#include "exchange_module.moc"
