#include "app/drillmodesetting.h"

#include "common/textfield.h"

namespace radiane::app {

SetupRead readDrillMode(const ProgramFolder& folder) {
    removeLeftoverWrites(folder.file(kSetupFile));
    const FieldRead read = readFirstField(folder.file(kSetupFile));
    switch (read.status) {
    case FieldRead::Status::Ok:
        // An empty first field (a bare line end, a leading comma, "") is nothing
        // to read as well: left as it is, no drill would start.
        if (!read.value.isEmpty())
            return {read.value, std::nullopt};
        [[fallthrough]];
    case FieldRead::Status::Missing:
    case FieldRead::Status::Empty:
        return {QStringLiteral("1"), std::nullopt};
    case FieldRead::Status::Unreadable:
    case FieldRead::Status::TooLarge:
    case FieldRead::Status::NotGbk:
        break;
    }
    return {QString(), read.reason};
}

WriteResult writeDrillMode(const ProgramFolder& folder, bool option1Selected) {
    return writeLine(folder.file(kSetupFile),
                     option1Selected ? QStringLiteral("1") : QStringLiteral("2"));
}

} // namespace radiane::app
