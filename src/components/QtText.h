#pragma once

#include <QString>
#include <string>

#include "platform/CodePage.h"

namespace tavo {

// The system's 8-bit Windows-1252 text as a QString, and back.
inline QString ToQt(const std::string& text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}
inline std::string FromQt(const QString& text) {
    return Utf8ToCp1252(text.toStdString());
}

// A message text for a box: a CR, or a CR LF, starts a new line.
inline QString MessageText(const std::string& text) {
    QString out = QString::fromStdString(MessageToUtf8(text));
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

}  // namespace tavo
