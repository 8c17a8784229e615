// clsDatabase's members for the record kinds, defined from the same list entries that
// declare them (see ORVANE_DECLARE_KIND): each builds and registers the kind's table once and
// turns the generic operations' statuses into the reports and empty results of the rules.
#pragma once

#include "database/table.hpp"
#include "orvane/database.hpp"

namespace OrvaneLib::detail {

// The front of every record-kind member: report a failure the rules do not keep silent,
// return the value (the empty result on failure).
inline ListResult FrontList(DatabaseState& s, const TableKind& kind, bool flag = false) {
    return s.Reported(ListRows(s, kind, flag));
}

template <class R>
std::shared_ptr<R> FrontRead(DatabaseState& s, const TableKind& kind,
                             std::initializer_list<KeyArg> keys, bool bDescript = false,
                             bool bStation = false) {
    return std::static_pointer_cast<R>(
        s.Reported(ReadRow(s, kind, {keys.begin(), keys.size()}, bDescript, bStation)));
}

inline void FrontAdd(DatabaseState& s, const TableKind& kind, const Object* record) {
    s.Report(AddRow(s, kind, record));
}

inline void FrontDelete(DatabaseState& s, const TableKind& kind, std::initializer_list<KeyArg> keys,
                        bool bStation = false) {
    s.Report(DeleteRow(s, kind, {keys.begin(), keys.size()}, bStation));
}

}  // namespace OrvaneLib::detail

// The kind's table, built on first use and registered for tools.
#define ORVANE_KIND_TABLE(R, T, SHAPE, List, Read, Add, Del)                               \
    namespace {                                                                            \
    const ::OrvaneLib::detail::TableKind& Table_##List() {                                 \
        static const ::OrvaneLib::detail::TableKind kind = ::OrvaneLib::detail::MakeTable( \
            ::OrvaneLib::detail::Describe<R>::Kind(), T, {#List, #Read, #Add, #Del},       \
            ::OrvaneLib::detail::Shape::SHAPE);                                            \
        return kind;                                                                       \
    }                                                                                      \
    ORVANE_REGISTER_TABLE(Table_##List)                                                    \
    }

#define ORVANE_DEFINE_KIND(R, T, SHAPE, List, Read, Add, Del) \
    ORVANE_KIND_TABLE(R, T, SHAPE, List, Read, Add, Del)      \
    ORVANE_DEFINE_##SHAPE(R, List, Read, Add, Del)

#define ORVANE_DEFINE_ADD_LIST(R, List, Add)                                              \
    ListResult clsDatabase::List() { return detail::FrontList(*state_, Table_##List()); } \
    void clsDatabase::Add(const R* record) { detail::FrontAdd(*state_, Table_##List(), record); }

#define ORVANE_DEFINE_TEXT(R, List, Read, Add, Del)                     \
    ORVANE_DEFINE_ADD_LIST(R, List, Add)                                \
    std::shared_ptr<R> clsDatabase::Read(const std::string& strKey) {   \
        return detail::FrontRead<R>(*state_, Table_##List(), {strKey}); \
    }                                                                   \
    void clsDatabase::Del(const std::string& strKey) {                  \
        detail::FrontDelete(*state_, Table_##List(), {strKey});         \
    }

#define ORVANE_DEFINE_TEXT_DESCRIBED(R, List, Read, Add, Del)                         \
    ORVANE_DEFINE_ADD_LIST(R, List, Add)                                              \
    std::shared_ptr<R> clsDatabase::Read(const std::string& strKey, bool bDescript) { \
        return detail::FrontRead<R>(*state_, Table_##List(), {strKey}, bDescript);    \
    }                                                                                 \
    void clsDatabase::Del(const std::string& strKey) {                                \
        detail::FrontDelete(*state_, Table_##List(), {strKey});                       \
    }

#define ORVANE_DEFINE_TEXT_LEVEL(R, List, Read, Add, Del)                             \
    ORVANE_DEFINE_ADD_LIST(R, List, Add)                                              \
    std::shared_ptr<R> clsDatabase::Read(const std::string& strKey, Integer iLevel) { \
        return detail::FrontRead<R>(*state_, Table_##List(), {strKey, iLevel});       \
    }                                                                                 \
    void clsDatabase::Del(const std::string& strKey, Integer iLevel) {                \
        detail::FrontDelete(*state_, Table_##List(), {strKey, iLevel});               \
    }

#define ORVANE_DEFINE_TEXT_TEXT(R, List, Read, Add, Del)                             \
    ORVANE_DEFINE_ADD_LIST(R, List, Add)                                             \
    std::shared_ptr<R> clsDatabase::Read(const std::string& strKey,                  \
                                         const std::string& strSecond) {             \
        return detail::FrontRead<R>(*state_, Table_##List(), {strKey, strSecond});   \
    }                                                                                \
    void clsDatabase::Del(const std::string& strKey, const std::string& strSecond) { \
        detail::FrontDelete(*state_, Table_##List(), {strKey, strSecond});           \
    }

#define ORVANE_DEFINE_NUMBER(R, List, Read, Add, Del)                 \
    ORVANE_DEFINE_ADD_LIST(R, List, Add)                              \
    std::shared_ptr<R> clsDatabase::Read(Integer iKey) {              \
        return detail::FrontRead<R>(*state_, Table_##List(), {iKey}); \
    }                                                                 \
    void clsDatabase::Del(Integer iKey) { detail::FrontDelete(*state_, Table_##List(), {iKey}); }

#define ORVANE_DEFINE_STATION(R, List, Read, Add, Del, KeyType)                                   \
    ListResult clsDatabase::List(bool bStation) {                                                 \
        return detail::FrontList(*state_, Table_##List(), bStation);                              \
    }                                                                                             \
    void clsDatabase::Add(const R* record) { detail::FrontAdd(*state_, Table_##List(), record); } \
    std::shared_ptr<R> clsDatabase::Read(KeyType key, bool bStation) {                            \
        return detail::FrontRead<R>(*state_, Table_##List(), {key}, false, bStation);             \
    }                                                                                             \
    void clsDatabase::Del(KeyType key, bool bStation) {                                           \
        detail::FrontDelete(*state_, Table_##List(), {key}, bStation);                            \
    }
#define ORVANE_DEFINE_STATION_NUMBER(R, List, Read, Add, Del) \
    ORVANE_DEFINE_STATION(R, List, Read, Add, Del, Integer)
#define ORVANE_DEFINE_STATION_TEXT(R, List, Read, Add, Del) \
    ORVANE_DEFINE_STATION(R, List, Read, Add, Del, const std::string&)
