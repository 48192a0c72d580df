#include "documentkeyproxy.h"

DocumentKeyProxy::~DocumentKeyProxy() = default;
