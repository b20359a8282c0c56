// TPersistent's default copying.
#include "framework/core/persistent.h"

#include "framework/core/exception.h"
#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TPersistent::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPersistent>(L"TPersistent", TObject::StaticClass()).Build();
    return info;
}

void TPersistent::Assign(const TPersistent& source) { source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& dest) const
{
    throw Exception(L"Cannot assign a %s to a %s", {ClassName(), dest.ClassName()});
}

}  // namespace ov
