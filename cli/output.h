#pragma once

#include <QString>

class QJsonObject;

namespace Output {
void line(const QString &text);      // to standard output, UTF-8
void error(const QString &text);     // to standard error, UTF-8
void json(const QJsonObject &object);
}
