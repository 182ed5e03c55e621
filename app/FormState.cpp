#include "app/FormState.h"

#include <QIODevice>
#include <QStringList>

#include "platform/Cp1250.h"

namespace kex::ui {

namespace {

bool readPlainIni(QIODevice& device, QSettings::SettingsMap& map)
{
    QByteArray bytes = device.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    QString text = QString::fromUtf8(bytes);
    // Files written by the suite's Windows programs are in cp1250.
    if (text.contains(QChar::ReplacementCharacter)) {
        try {
            text = QString::fromStdString(Cp1250ToUtf8(bytes.toStdString()));
        } catch (const EncodingError&) {
        }
    }
    QString section;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))) continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0 || section.isEmpty()) continue;
        const QString key = section + QLatin1Char('/') + line.left(eq).trimmed();
        // The first occurrence wins, as in the Windows profile functions.
        if (!map.contains(key)) map.insert(key, line.mid(eq + 1).trimmed());
    }
    return true;
}

bool writePlainIni(QIODevice& device, const QSettings::SettingsMap& map)
{
    QString out;
    QString current;
    bool first = true;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        const QString section = slash < 0 ? QStringLiteral("General") : it.key().left(slash);
        const QString key = slash < 0 ? it.key() : it.key().mid(slash + 1);
        if (first || section != current) {
            if (!first) out += QStringLiteral("\r\n");
            out += QLatin1Char('[') + section + QStringLiteral("]\r\n");
            current = section;
            first = false;
        }
        QString value = it.value().toString();
        value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        out += key + QLatin1Char('=') + value + QStringLiteral("\r\n");
    }
    return device.write(out.toUtf8()) >= 0;
}

QSettings::Format plainIniFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), readPlainIni, writePlainIni, Qt::CaseSensitive);
    return format;
}

} // namespace

std::unique_ptr<QSettings> OpenFormState(const std::filesystem::path& programDir)
{
    const QString path = QString::fromStdString((programDir / "kex.ini").string());
    return std::make_unique<QSettings>(path, plainIniFormat());
}

} // namespace kex::ui
