#ifndef FILLNAMEDIALOG_H
#define FILLNAMEDIALOG_H

#include "dialoganswerer.h"

#include <QString>

#include <functional>

namespace testsupport
{
// An answer to a dialog that names something new or existing: sets the two
// fields found under the given object names, runs beforeAnswer, then presses
// OK (or Cancel). A dialog without the fields is closed, so the test fails on
// what the window then did rather than hanging.
DialogAnswerer::Action FillNameDialog(const QString &nameField, const QString &descriptionField, const QString &name,
                                      const QString &description, bool ok = true,
                                      const std::function<void()> &beforeAnswer = {});
}

#endif // FILLNAMEDIALOG_H
