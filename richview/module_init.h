// What a program with rich text views sets up before its application object exists, and takes
// down after the last window is gone: OLE for the main thread (embedded objects in the chapters),
// the rich edit library and the rich text clipboard formats.
#pragma once

namespace ov {

class ModuleInitialisation {
public:
    ModuleInitialisation();
    ~ModuleInitialisation();
    ModuleInitialisation(const ModuleInitialisation&) = delete;
    ModuleInitialisation& operator=(const ModuleInitialisation&) = delete;

private:
    bool oleInitialised_ = false;
};

}  // namespace ov
