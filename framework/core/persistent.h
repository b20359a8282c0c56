// TPersistent: an object with published properties that can be copied from another (Assign) and
// that may store data beyond its properties in a layout (DefineProperties).
#pragma once

#include "framework/core/class_info.h"
#include "framework/core/filer.h"

namespace ov {

class TPersistent : public TObject {
    OV_CLASS(TPersistent, TObject)

    // Copies source's state into this object. The default asks source to AssignTo this object and
    // raises "Cannot assign a TX to a TY" when neither side knows the other.
    virtual void Assign(const TPersistent& source);
    // Tells the layout reader about stored data that is not a published property.
    virtual void DefineProperties(TFiler& filer) {}

protected:
    virtual void AssignTo(TPersistent& dest) const;
};

}  // namespace ov
