#include "userproxy.h"

UserProxy::~UserProxy() = default;
