#include "groupproxy.h"

GroupProxy::~GroupProxy() = default;
