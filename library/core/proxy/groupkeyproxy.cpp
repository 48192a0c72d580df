#include "groupkeyproxy.h"

GroupKeyProxy::~GroupKeyProxy() = default;
