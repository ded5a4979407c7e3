#pragma once
// A message of the table as a widget text: message texts break their lines with "\r", the
// widgets want "\n".

#include <QString>

#include "base/untMesConst.h"

inline QString MesText(MesId id) {
  return QString::fromStdString(Mes(id)).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}
