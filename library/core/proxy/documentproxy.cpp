#include "documentproxy.h"

DocumentProxy::~DocumentProxy() = default;
