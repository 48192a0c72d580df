#include "messageivec.h"

MessageIvec::MessageIvec() = default;

MessageIvec::~MessageIvec() = default;
