#include "cli/JournalSettings.h"

#include "calc/FieldTable.h"
#include "cli/CliWords.h"
#include "store/SettingsStore.h"
#include "store/StoredValues.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace pelmora::cli {
namespace {

QString shownValue(const QVariant& value) {
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(u',')
                                                    : value.toString();
}

QString keyName(const char* key) {
    QString name = QString::fromLatin1(key);
    const qsizetype slash = name.indexOf(u'/');
    return QStringLiteral("[%1] %2").arg(name.left(slash), name.mid(slash + 1));
}

Decimal exactOf(double value, double fallback) {
    return Decimal::fromDouble(value).value_or(Decimal::fromDouble(fallback).value_or(Decimal()));
}

// The first of the rate texts that is given, which every rate text here has checked out.
Decimal rateOf(std::initializer_list<std::string_view> texts) {
    for (const std::string_view text : texts) {
        if (const std::optional<Decimal> rate = Decimal::fromText(text); rate && !text.empty()) {
            return *rate;
        }
    }
    return {};
}

class Reading {
public:
    explicit Reading(QString file) : m_file(std::move(file)) {}

    SettingsReading read() {
        const QFileInfo info(m_file);
        if (info.isFile()) {
            readFile();
        } else if (info.exists() || info.isSymLink()) {
            // A pipe or a device could hold the read up for ever.
            m_reading.notes.push_back(settingsNotAFile(m_file));
        }
        const FullCost& costs = m_settings.fullCost;
        const FullCost defaults;
        JournalCommission& commission = m_reading.commission;
        // The journal's own rates; until the windows first record a trade, the main window's.
        commission.buyPercent =
            rateOf({m_settings.journalRates.buy, m_settings.rates.buy, defaultText(FieldId::srl)});
        commission.sellPercent = rateOf(
            {m_settings.journalRates.sell, m_settings.rates.sell, defaultText(FieldId::scl)});
        commission.minimum = exactOf(costs.minimumCommission, defaults.minimumCommission);
        commission.levies = {exactOf(costs.stampDutyPercent, defaults.stampDutyPercent),
                             exactOf(costs.transferFeePercent, defaults.transferFeePercent),
                             costs.exchangeFees};
        return std::move(m_reading);
    }

private:
    void readFile() {
        // Only read: QSettings writes back, and takes its lock, only once a value is set.
        const QSettings file(m_file, QSettings::IniFormat);
        StoredValues values = readStoredValues(file);
        if (file.status() == QSettings::AccessError) {
            m_reading.notes.push_back(settingsUnreadable(m_file));
            return;
        }
        for (const StoredSetting replaced : values.replaced) {
            const auto* stored = std::ranges::find(kStoredKeys, replaced, &StoredKey::setting);
            note(file, stored->key);
        }
        m_settings = std::move(values.settings);
    }

    void note(const QSettings& file, const char* key) {
        m_reading.notes.push_back(settingReplaced(
            m_file, keyName(key), shownValue(file.value(QString::fromLatin1(key)))));
    }

    QString m_file;
    SettingsReading m_reading;
    FeeSettings m_settings;
};

} // namespace

// The store is only asked its file's name: made, it reads and watches nothing until load().
QString usualSettingsFile() {
    return SettingsStore().fileName();
}

SettingsReading readJournalSettings(const QString& file) {
    return Reading(file).read();
}

} // namespace pelmora::cli
