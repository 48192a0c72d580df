#ifndef DETACHEDLAYOUT_H
#define DETACHEDLAYOUT_H

class QLayout;

namespace pickers
{
// The pickers hand their top-level layout to a host, which then owns it and
// the controls in it. When no host installed the layout (it has no parent),
// this frees the layout, its nested layouts and every control in them that
// still has no parent; otherwise it does nothing.
void DeleteDetachedLayout(QLayout *layout);
}

#endif // DETACHEDLAYOUT_H
