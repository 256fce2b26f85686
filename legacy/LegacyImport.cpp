#include "LegacyImport.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>

#include "AdoDataBase.h"
#include "AdoRecordset.h"

namespace kadenzo {
namespace {

// The old database's colour for "no colour chosen": a light grey.
constexpr std::uint32_t kUnsetColour = 0xC0C0C0;

struct DefaultEventKind {
    std::uint32_t id;
    const char* name;
    std::uint32_t colour;
};

// Created when the database predates event kinds (COLORREF, red lowest).
constexpr DefaultEventKind kDefaultEventKinds[] = {
    {0, "Familie", 0xFBEFD0},
    {1, "Aktivurlaub", 0xF8D0FB},
    {2, "Wettkampf-Vorbereitung", 0xD1E7FA},
    {3, "Dienstreise", 0xEAEAEA},
    {4, "Krank", 0xD1FAD8},
};

// Reads the columns of the current row by the old column kinds. A read that
// fails (rather than finding no value of the kind) throws, ending the table.
class RowReader {
public:
    explicit RowReader(CADORecordset& rs) : rs_(rs) {}

    std::string Text(const char* column) {
        std::string value;
        Check(rs_.GetFieldValue(column, value));
        return value;
    }
    // The 32-bit pattern of a long column (ids and colours are unsigned).
    std::uint32_t Long(const char* column) {
        std::int32_t value = 0;
        Check(rs_.GetFieldValue(column, value));
        return static_cast<std::uint32_t>(value);
    }
    // A 16-bit, yes/no or byte column; any other type reads as 0.
    std::int32_t Integer(const char* column) {
        std::int16_t value = 0;
        Check(rs_.GetFieldValue(column, value));
        return value;
    }
    // Yes/no: true reads as -1 from the old engine, stored as 1.
    std::uint32_t Flag(const char* column) { return Integer(column) != 0 ? 1 : 0; }
    float Single(const char* column) {
        double value = 0;
        Check(rs_.GetFieldValue(column, value));
        constexpr double kMax = std::numeric_limits<float>::max();
        if (std::isfinite(value) && std::fabs(value) > kMax)
            return value > 0 ? std::numeric_limits<float>::infinity()
                             : -std::numeric_limits<float>::infinity();
        return static_cast<float>(value);
    }

private:
    void Check(bool ok) {
        if (!ok && rs_.HasError()) throw CADOException(rs_.GetLastErrorString());
    }

    CADORecordset& rs_;
};

// Runs one table's query and appends an item per row that `accept` lets
// through. A dropped row's object stays pending and is refilled by the next
// row. False when the query cannot be opened.
template <class T, class Read, class Accept>
bool ImportTable(CADORecordset& rs, const char* query, CLibItemList<T>& list, Read read,
                 Accept accept) {
    if (!rs.Open(query)) return false;
    std::unique_ptr<T> pending;
    RowReader row(rs);
    try {
        rs.MoveFirst();
        while (!rs.IsEOF()) {
            if (!pending) pending = std::make_unique<T>();
            read(row, *pending);
            if (accept(*pending)) list.Add(std::move(pending));
            rs.MoveNext();
        }
    } catch (const CADOException&) {
        // The rows read so far stay; the access layer keeps the error text.
    }
    rs.Close();
    return true;
}

template <class T, class Read>
bool ImportTable(CADORecordset& rs, const char* query, CLibItemList<T>& list, Read read) {
    return ImportTable(rs, query, list, read, [](const T&) { return true; });
}

void CreateDefaultEventKinds(CADODataBase& db, CLibrary& library) {
    // Outcomes unchecked: a read-only driver refuses these, and the library
    // gets the event kinds all the same.
    db.Execute("CREATE TABLE Events (ID COUNTER PRIMARY KEY, Name VARCHAR(50), Color LONG)");
    for (const DefaultEventKind& kind : kDefaultEventKinds) {
        auto item = std::make_unique<CLibEvent>();
        item->id = kind.id;
        item->name = kind.name;
        item->colour = kind.colour;
        library.eventKinds.Add(std::move(item));
        char statement[160];
        std::snprintf(statement, sizeof statement,
                      "INSERT INTO Events (ID, Name, Color) VALUES (%i, '%s', %i)",
                      static_cast<int>(kind.id), kind.name, static_cast<int>(kind.colour));
        db.Execute(statement);
    }
}

std::string ComputerName() {
    char name[512] = {};
    gethostname(name, sizeof name - 1);  // may leave a cut name unterminated
    return name;
}

}  // namespace

std::string LegacyConnectionString(const std::string& dataSource) {
    const bool plain =
        dataSource.find_first_of(";{}=") == std::string::npos &&
        (dataSource.empty() || (dataSource.front() != ' ' && dataSource.back() != ' '));
    if (plain) return "DSN=" + dataSource;
    std::string braced = "DSN={";
    for (char c : dataSource) {
        braced += c;
        if (c == '}') braced += '}';
    }
    return braced + '}';
}

bool ImportLegacyDatabase(CLibrary& library, const std::string& dataSource,
                          std::string* connectionError) {
    library.RemoveAll();
    library.computerName = ComputerName();

    CADODataBase db;
    if (!db.Open(LegacyConnectionString(dataSource))) {
        if (connectionError) *connectionError = db.GetLastErrorString();
        return false;
    }
    CADORecordset rs(db);

    ImportTable(
        rs, "SELECT * FROM Category ORDER BY Name", library.categories,
        [](RowReader& row, CLibCategory& item) {
            item.id = row.Long("ID");
            item.name = row.Text("Name");
            item.colour = row.Long("Color");
        },
        [](CLibCategory& item) {
            if (item.colour == 0) item.colour = kUnsetColour;
            return true;
        });

    const bool haveEvents = ImportTable(
        rs, "SELECT * FROM Events ORDER BY Name", library.eventKinds,
        [](RowReader& row, CLibEvent& item) {
            item.id = row.Long("ID");
            item.name = row.Text("Name");
            item.colour = row.Long("Color");
        },
        [](CLibEvent& item) {
            if (item.colour == 0) item.colour = kUnsetColour;
            return true;
        });
    if (!haveEvents) CreateDefaultEventKinds(db, library);

    ImportTable(rs, "SELECT * FROM Sport ORDER BY Name", library.sports,
                [](RowReader& row, CLibSport& item) {
                    item.usageTotal = 0;
                    item.id = row.Long("ID");
                    item.iconId = row.Long("IconID");
                    item.name = row.Text("Name");
                    item.hasDistance = row.Flag("Distance");
                    item.active = row.Flag("Active");
                });

    // Templates are checked against the lists filled above: the library being
    // imported, which the start-up has made the current one.
    ImportTable(
        rs,
        "SELECT Workout.* FROM Category INNER JOIN Workout ON Category.ID = Workout.CategoryID "
        "ORDER BY Category.Name, Workout.Name",
        library.workoutTemplates,
        [](RowReader& row, CLibWorkout& item) {
            item.id = row.Long("ID");
            item.categoryId = row.Long("CategoryID");
            item.sportId = row.Long("SportID");
            item.name = row.Text("Name");
            item.pulseLow = static_cast<std::uint32_t>(row.Integer("PulseMin"));
            item.pulseHigh = static_cast<std::uint32_t>(row.Integer("PulseMax"));
            item.pulseRelative = row.Flag("PulseRelative");
            item.comment = row.Text("Comment");
        },
        [&library](const CLibWorkout& item) {
            return library.FindCategory(item.categoryId) != nullptr &&
                   (item.sportId == 0 || library.FindSport(item.sportId) != nullptr);
        });

    ImportTable(rs, "SELECT * FROM Intensity ORDER BY Intensity", library.intensities,
                [](RowReader& row, CLibIntensity& item) {
                    item.id = row.Long("ID");
                    item.level = row.Integer("Intensity");
                    item.name = row.Text("Name");
                });

    ImportTable(rs, "SELECT * FROM Track ORDER BY Name", library.tracks,
                [](RowReader& row, CLibTrack& item) {
                    item.id = row.Long("ID");
                    item.sportId = row.Long("SportID");
                    item.name = row.Text("Name");
                    item.climb = row.Single("Uphill");
                    item.distance = row.Single("Distance");
                });

    ImportTable(rs, "SELECT * FROM SubSport ORDER BY SportID, Name", library.subSports,
                [](RowReader& row, CLibSubSport& item) {
                    item.id = row.Long("ID");
                    item.name = row.Text("Name");
                    item.sportId = row.Long("SportID");
                });

    db.Close();
    return true;
}

}  // namespace kadenzo
