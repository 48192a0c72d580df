// The record readers and key validators on server-supplied records, and the
// value types that read the records' texts. The first byte picks what the
// rest is: a serialized document key or folder key (read through every
// accessor and judged by its validator now), a date text, a time-of-day text,
// a region name, a serialized group key, or a group key's creation date.
#include "dbtimestamp.h"
#include "documentkeyreader.h"
#include "documentkeyvalidator.h"
#include "folderkeyreader.h"
#include "folderkeyvalidator.h"
#include "formattedtime.h"
#include "fuzzinput.h"
#include "groupkeyreader.h"
#include "timezone.h"
#include "timezonedatabase.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"
#include "groupkey3.pb.h"

#include <QtGlobal>

#include <ace/Log_Msg.h>
#include <google/protobuf/stubs/logging.h>

#include <boost/date_time/posix_time/posix_time.hpp>

#include <cstddef>
#include <cstdint>
#include <string>

namespace
{
// Keeps a result alive so that the work producing it is not optimised away.
template <typename T>
void Use(const T &value)
{
    asm volatile("" : : "r"(&value) : "memory");
}

template <class Reader>
void ReadDescriptor(const Reader &reader)
{
    Use(reader.userId());
    Use(reader.ownerId());
    Use(reader.description());
    Use(reader.properties());
    Use(reader.creationDate());
    Use(reader.activeRegion());
    Use(reader.activeFrom());
    Use(reader.activeTo());
    Use(reader.sessionDuration());
    Use(reader.expirationDate());
    Use(reader.activeDuringWeek());
    Use(reader.activeDuringYear());
    Use(reader.noPermissions());
    Use(reader.inactive());
    Use(reader.userDisplayName());
    Use(reader.userDisplayNameAlphabetical());
    Use(reader.ownerDisplayName());
    Use(reader.ownerDisplayNameAlphabetical());
    Use(reader.activeHoursDisplay());
    Use(reader.sessionDurationDisplay());
    Use(reader.creationDateDisplay());
    Use(reader.expirationDateDisplay());
    Use(reader.sameKey(reader));
}

void ReadDocumentKey(const std::string &bytes)
{
    qorv::data::DocumentKey key;
    if (!key.ParseFromString(bytes))
        return;
    const DocumentKeyReader reader(key);
    ReadDescriptor(reader);
    Use(reader.documentId());
    Use(reader.documentName());
    Use(reader.documentRevision());
    Use(reader.documentRevisionValid());
    Use(reader.documentRevisionDisplay());
    Use(reader.documentRevisionToolTip());
    const DocumentKeyValidator validator(key, TimeZoneDatabase::instance()->getTimeZoneDatabase());
    Use(validator.getFlags());
}

void ReadFolderKey(const std::string &bytes)
{
    qorv::data::FolderKey key;
    if (!key.ParseFromString(bytes))
        return;
    const FolderKeyReader reader(key);
    ReadDescriptor(reader);
    Use(reader.folderId());
    Use(reader.folderName());
    const FolderKeyValidator validator(key, TimeZoneDatabase::instance()->getTimeZoneDatabase());
    Use(validator.getFlags());
}

void ReadTimestamp(const std::string &text)
{
    const DbTimestamp timestamp(text);
    Use(timestamp.isValid());
    Use(timestamp.isMinTimestamp());
    Use(timestamp.isMaxTimestamp());
    Use(timestamp.toLocalPosixTime());
    Use(timestamp.toDbString());
    Use(timestamp.toDisplayString());
    Use(timestamp.toRfcString());
    Use(timestamp.toIsoExtendedString());
    Use(timestamp.toIsoString());
    Use(timestamp.toSimpleString());
    const TimeZone zone("America/New_York");
    for (const DbTimestamp::TimeZonePtr &ptr : {DbTimestamp::TimeZonePtr(), zone.getTimeZone()}) {
        Use(timestamp.toLocalDbString(ptr));
        Use(timestamp.toLocalDisplayString(ptr));
        Use(timestamp.toLocalRfcString(ptr));
        Use(timestamp.toLocalIsoString(ptr));
        Use(timestamp.toLocalIsoExtendedString(ptr));
        Use(timestamp.toLocalSimpleString(ptr));
        Use(timestamp.toLocalRfcStringExcMinMax(ptr));
    }
    Use(timestamp < DbTimestamp(DbTimestamp::m_MaxTimestamp));
}

void ReadGroupKey(const qorv::data::GroupKey &key)
{
    const GroupKeyReader reader(key);
    Use(reader.groupId());
    Use(reader.groupName());
    Use(reader.userId());
    Use(reader.description());
    Use(reader.creationDate());
    Use(reader.userDisplayName());
    Use(reader.userDisplayNameAlphabetical());
    Use(reader.creationDateDisplay());
    Use(reader == reader);
}

void ReadGroupKey(const std::string &bytes)
{
    qorv::data::GroupKey key;
    if (key.ParseFromString(bytes))
        ReadGroupKey(key);
}

void ReadGroupKeyCreationDate(const std::string &date)
{
    qorv::data::GroupKey key;
    key.set_group_key_creation_date(date);
    ReadGroupKey(key);
}

void ReadRegion(const std::string &region)
{
    const TimeZone zone(region);
    Use(zone.getTimeZoneStandardAbbrev());
    Use(zone.getTimeZoneDaylightSavingTimeAbbrev());
    Use(zone.hasDaylightSavingTime());
    Use(zone.getTimeZoneAbbrev());
    Use(zone.getDaylightSavingTimePeriod());
    Use(zone.daylightSavingTimeContains(boost::posix_time::time_from_string("2024-07-01 12:00:00")));
}
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    ACE_Log_Msg::instance()->priority_mask(0, ACE_Log_Msg::PROCESS);
    // Texts that are not UTF-8 are refused by the parser with a log line each.
    google::protobuf::SetLogHandler(nullptr);
    // Unreadable texts are the inputs here; each would log its warning.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    TimeZoneDatabase::instance()->loadFromFile(QORV_FUZZ_ZONE_TABLE);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t kind = input.byte();
    const std::string rest = input.rest();
    switch (kind % 7) {
    case 0:
        ReadDocumentKey(rest);
        break;
    case 1:
        ReadFolderKey(rest);
        break;
    case 2:
        ReadTimestamp(rest);
        break;
    case 3:
        Use(GetFormattedTime(rest));
        break;
    case 4:
        ReadRegion(rest);
        break;
    case 5:
        ReadGroupKey(rest);
        break;
    default:
        ReadGroupKeyCreationDate(rest);
        break;
    }
    return 0;
}
