#include "messageproxy.h"

MessageProxy::~MessageProxy() = default;
