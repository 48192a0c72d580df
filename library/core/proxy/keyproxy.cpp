#include "keyproxy.h"

KeyProxy::~KeyProxy() = default;
