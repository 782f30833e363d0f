#pragma once

#include <QString>

class QJsonObject;

namespace Output {
void text(const QString &text);      // to standard output as it stands, UTF-8
void line(const QString &text);      // the same, and a line end
void error(const QString &text);     // to standard error, UTF-8
void json(const QJsonObject &object);
}
