// Card texts are the data file's bytes, one character each, whatever the vendor's code
// page; paths and file names are in the system's own encoding.
#pragma once

#include <QFile>
#include <QString>
#include <string>
#include <string_view>

namespace kestravo::gui {

inline QString cardText(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString pathText(const std::string& path) { return QFile::decodeName(path.c_str()); }

inline std::string pathBytes(const QString& path) {
  return std::string(QFile::encodeName(path).constData());
}

}  // namespace kestravo::gui
