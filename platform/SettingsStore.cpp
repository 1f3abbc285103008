#include "platform/SettingsStore.h"

#include "calc/SettingsCheck.h"
#include "platform/NumberQText.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <utility>

namespace pelmora {
namespace {

// The keys, each a text; numbers are kept as the texts ToNumber reads.
const QString kOn = QStringLiteral("full-cost/on");
const QString kMinimum = QStringLiteral("full-cost/minimum-commission");
const QString kStampDuty = QStringLiteral("full-cost/stamp-duty");
const QString kTransferFee = QStringLiteral("full-cost/transfer-fee");
const QString kExchangeFees = QStringLiteral("full-cost/exchange-fees");
const QString kProduct = QStringLiteral("full-cost/product");
const QString kBuyRate = QStringLiteral("commission/buy-rate");
const QString kSellRate = QStringLiteral("commission/sell-rate");

const QStringList& knownKeys() {
    static const QStringList keys = {kOn,           kMinimum, kStampDuty, kTransferFee,
                                     kExchangeFees, kProduct, kBuyRate,   kSellRate};
    return keys;
}

std::unique_ptr<QSettings> openFile(const QString& fileName) {
    return std::make_unique<QSettings>(fileName, QSettings::IniFormat);
}

// Reads what a file holds into `settings`; false when anything in it does not check out.
class Reader {
public:
    explicit Reader(const QSettings& file) : m_file(file) {}

    [[nodiscard]] bool allChecked() const { return m_checked; }

    void flag(const QString& key, bool& value) {
        if (!m_file.contains(key)) {
            return;
        }
        const QString text = m_file.value(key).toString();
        if (text == QStringLiteral("true") || text == QStringLiteral("false")) {
            value = text == QStringLiteral("true");
        } else {
            m_checked = false;
        }
    }

    void number(const QString& key, double& value, SettingCheck (*check)(std::string_view, bool)) {
        if (!m_file.contains(key)) {
            return;
        }
        const SettingCheck checked = check(m_file.value(key).toString().toStdString(), false);
        if (const auto* number = std::get_if<double>(&checked)) {
            value = *number;
        } else {
            m_checked = false;
        }
    }

    void rate(const QString& key, std::string& text) {
        if (!m_file.contains(key)) {
            return;
        }
        const std::string stored = m_file.value(key).toString().toStdString();
        if (std::holds_alternative<double>(checkRateText(stored, false))) {
            text = stored;
        } else {
            m_checked = false;
        }
    }

    void product(const QString& key, Product& value) {
        if (!m_file.contains(key)) {
            return;
        }
        const QString text = m_file.value(key).toString();
        if (text == QStringLiteral("shares") || text == QStringLiteral("fund")) {
            value = text == QStringLiteral("fund") ? Product::Fund : Product::Shares;
        } else {
            m_checked = false;
        }
    }

private:
    const QSettings& m_file;
    bool m_checked = true;
};

} // namespace

SettingsStore::SettingsStore(QObject* parent)
    : QObject(parent),
      m_fileName(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                     .filePath(QStringLiteral("Pelmora/Pelmora.ini"))),
      m_file(openFile(m_fileName)) {}

SettingsStore::~SettingsStore() = default;

FeeSettings SettingsStore::load() {
    FeeSettings settings;
    Reader reader(*m_file);
    reader.flag(kOn, settings.fullCostOn);
    reader.number(kMinimum, settings.fullCost.minimumCommission, checkMinimumText);
    reader.number(kStampDuty, settings.fullCost.stampDutyPercent, checkRateText);
    reader.number(kTransferFee, settings.fullCost.transferFeePercent, checkRateText);
    reader.flag(kExchangeFees, settings.fullCost.exchangeFees);
    reader.product(kProduct, settings.fullCost.product);
    reader.rate(kBuyRate, settings.rates.buy);
    reader.rate(kSellRate, settings.rates.sell);

    bool onlyKnownKeys = true;
    for (const QString& key : m_file->allKeys()) {
        onlyKnownKeys = onlyKnownKeys && knownKeys().contains(key);
    }
    if (m_file->status() != QSettings::NoError || !reader.allChecked() || !onlyKnownKeys) {
        // Set aside for whoever wants to look into it; from here on the store starts afresh.
        m_file.reset();
        QFile::remove(setAsideName());
        if (!QFile::rename(m_fileName, setAsideName())) {
            QFile::remove(m_fileName);
        }
        m_file = openFile(m_fileName);
        meet(StoreTrouble::Damaged);
    }
    return settings;
}

void SettingsStore::save(const FeeSettings& settings) {
    const FullCost& costs = settings.fullCost;
    m_file->setValue(kOn, settings.fullCostOn ? QStringLiteral("true") : QStringLiteral("false"));
    m_file->setValue(kMinimum, numberQText(costs.minimumCommission));
    m_file->setValue(kStampDuty, numberQText(costs.stampDutyPercent));
    m_file->setValue(kTransferFee, numberQText(costs.transferFeePercent));
    m_file->setValue(kExchangeFees,
                     costs.exchangeFees ? QStringLiteral("true") : QStringLiteral("false"));
    m_file->setValue(kProduct, costs.product == Product::Fund ? QStringLiteral("fund")
                                                              : QStringLiteral("shares"));
    for (const auto& [key, rate] :
         {std::pair{kBuyRate, &settings.rates.buy}, std::pair{kSellRate, &settings.rates.sell}}) {
        if (rate->empty()) {
            m_file->remove(key);
        } else {
            m_file->setValue(key, QString::fromStdString(*rate));
        }
    }
    m_file->sync();
    if (m_file->status() != QSettings::NoError) {
        meet(StoreTrouble::Unwritable);
    }
}

std::optional<StoreTrouble> SettingsStore::takeTrouble() {
    return std::exchange(m_unreported, std::nullopt);
}

void SettingsStore::meet(StoreTrouble trouble) {
    if (m_met.insert(trouble).second) {
        m_unreported = trouble;
    }
}

} // namespace pelmora
