#include "platform/Uuid.h"

#include <QUuid>

QString Uuid::string()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}
