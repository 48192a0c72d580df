#include "deletelogevent.h"

DeleteLogEvent::~DeleteLogEvent() = default;
