#ifndef SECURITYDESCRIPTOREQUALITY_H
#define SECURITYDESCRIPTOREQUALITY_H

namespace qorv::data
{
class SecurityDescriptor;

// Two descriptors are equal when their ten fields read the same; an absent
// field reads as 0 or the empty text, so presence alone never makes a
// difference. Declared beside the record so that lookup finds them anywhere.
bool operator==(const SecurityDescriptor &left, const SecurityDescriptor &right);
bool operator!=(const SecurityDescriptor &left, const SecurityDescriptor &right);
}

#endif // SECURITYDESCRIPTOREQUALITY_H
