#include "insertrecordlogevent.h"

InsertRecordLogEvent::~InsertRecordLogEvent() = default;
