#pragma once

#include <QDateTime>
#include <QString>

// The stored record types. Every field has its default at creation; `rowId` is the record's
// identity in the store (0 until it is added) and no field of the record type.
struct Base
{
    Base();

    QString id;
    QDateTime created;

    qint64 rowId = 0;
};

// One running timer, kept so that it can be offered again after a relaunch.
struct SchedulerCache : Base
{
    SchedulerCache();

    int mode = 0;
    QString name;
    double length = 0;
    QString days;
    int action = 0;
    QDateTime startedAt;
    QDateTime executeAt;
};

// One preset timer.
struct Prefabs : Base
{
    int action = 0;
    QString idScript;
    QString name;
    double length = 0;
    int mode = 1;
};

// One script file of the scripts folder; `name` is the file's full name and its link to the file.
struct Scripts : Base
{
    QString name;
    QString content;
    int favorited = 0;
    QString fileType = QStringLiteral("scpt");
};

// An older form of timer record, only read and cleared at launch. `lenght` is spelt so.
struct Timers : Base
{
    Timers();

    QString name;
    QDateTime startedAt;
    QDateTime executeAt;
    QString lenght;
};
