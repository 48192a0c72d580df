#include "folderkeywriter.h"

#include "folderkeyreader.h"

FolderKeyWriter &FolderKeyWriter::operator=(const FolderKeyReader &reader)
{
    copyFrom(reader);
    return *this;
}
