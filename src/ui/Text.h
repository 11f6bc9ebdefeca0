#pragma once

#include <QString>
#include <string>

#include "db/Gbk.h"

// The edge between the core's GBK texts and Qt's strings.
namespace lumo::ui {

inline QString FromGbk(const std::string& gbk) { return QString::fromStdString(GbkToUtf8(gbk)); }
inline std::string ToGbk(const QString& text) { return Utf8ToGbk(text.toStdString()); }

}  // namespace lumo::ui
