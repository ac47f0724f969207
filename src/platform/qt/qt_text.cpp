#include "platform/qt/qt_text.h"

#include <QFile>

QString FromCoreText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToCoreText(const QString& text) {
    return text.toLatin1().toStdString();
}

QString FromCorePath(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string ToCorePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
