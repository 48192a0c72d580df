#include "folderkeyproxy.h"

FolderKeyProxy::~FolderKeyProxy() = default;
