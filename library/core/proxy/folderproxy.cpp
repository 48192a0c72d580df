#include "folderproxy.h"

FolderProxy::~FolderProxy() = default;
