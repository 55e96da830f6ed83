#include "DumpEditClasses.h"

#include "CDumpEdit.h"
#include "WindowClassRegistry.h"

void RegisterDumpEditClasses() {
    const auto create = [](QWidget* parent, quint32 style) -> QWidget* { return new CDumpEdit(parent, style); };
    CWindowClassRegistry& registry = CWindowClassRegistry::Instance();
    registry.Register(QStringLiteral("CDumpEdit"), create);
    registry.Register(QStringLiteral("CDumpEdit_SC"), create);
}
