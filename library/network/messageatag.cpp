#include "messageatag.h"

MessageAtag::MessageAtag() = default;

MessageAtag::~MessageAtag() = default;
