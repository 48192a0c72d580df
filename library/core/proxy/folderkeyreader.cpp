#include "folderkeyreader.h"

#include "keydisplaytext.h"

#include "folderkey3.pb.h"

std::string FolderKeyReader::expirationDateDisplay() const
{
    return expirationDateText(records::LocalRfcDate);
}

bool operator==(const FolderKeyReader &left, const FolderKeyReader &right)
{
    return left.sameKey(right);
}

bool operator!=(const FolderKeyReader &left, const FolderKeyReader &right)
{
    return !(left == right);
}
