#include "securitydescriptorproxy.h"

SecurityDescriptorProxy::~SecurityDescriptorProxy() = default;
