#pragma once

// Lists what a form declares for data access: every table, query, batch move
// and data source it owns, in declaration order, with the alias, table, index
// fields and links each one names, and the controls bound through each data
// source. Screens and their tests use it to check a form's declarations
// without opening anything.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QObject;

class DataCatalogue
{
public:
    enum class Kind { Table, Query, BatchMove, DataSource };
    static QString kindName(Kind kind);   // "table", "query", "batch move", "data source"

    struct Entry {
        QString name {};
        Kind kind = Kind::Table;
        QString alias {};             // DatabaseName as written
        QString database {};          // the alias as registered; empty when none or unknown
        QString table {};             // TableName as written
        QStringList indexFields {};   // in index order
        QString masterSource {};      // a detail table's link: the master's data source
        QStringList masterFields {};
        QStringList fields {};        // persistent fields in declaration order
        QStringList sql {};           // a query's statement
        bool requestLive = false;
        bool uniDirectional = false;
        QString source {};            // a batch move's datasets
        QString destination {};
        int recordCount = 0;
        bool abortOnKeyViol = true;
        bool abortOnProblem = true;
        QString dataSet {};           // what a data source stands for
        QStringList dataSources {};   // the data sources standing for this dataset
        QStringList boundControls {}; // "DBText1.PrefT01", or a grid's name
        bool active = false;

        bool operator==(const Entry &) const = default;
    };

    static QList<Entry> entries(const QObject *form);
    // Matched ignoring letter case, as component names are.
    static std::optional<Entry> find(const QObject *form, QStringView name);
    // The datasets of the form that are open (none, unless something is wrong).
    static QStringList openDataSets(const QObject *form);
};
