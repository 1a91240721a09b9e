#include "cli/CommandList.h"

#include "cli/AnalyseCommand.h"
#include "cli/CheckCommand.h"
#include "cli/CleanCommand.h"
#include "cli/ComputeCommand.h"
#include "cli/EvalCommand.h"
#include "cli/ExprCommand.h"
#include "cli/FTransformSubcommand.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/LearnCommand.h"
#include "cli/NewCommand.h"
#include "cli/ProjectionCommand.h"
#include "cli/SurfaceCommand.h"
#include "cli/TuneCommand.h"

namespace zorv::cli {

std::vector<std::unique_ptr<Command>> allCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<ExprCommand>());
    commands.push_back(std::make_unique<NewCommand>());
    commands.push_back(std::make_unique<CheckCommand>());
    commands.push_back(std::make_unique<EvalCommand>());
    commands.push_back(std::make_unique<ComputeCommand>());
    commands.push_back(std::make_unique<AnalyseCommand>());
    commands.push_back(std::make_unique<CleanCommand>());
    commands.push_back(std::make_unique<LearnCommand>());
    commands.push_back(std::make_unique<TuneCommand>());
    commands.push_back(std::make_unique<FTransformSubcommand>());
    commands.push_back(std::make_unique<SurfaceCommand>());
    commands.push_back(std::make_unique<ProjectionCommand>());
    commands.push_back(std::make_unique<ImportCommand>());
    commands.push_back(std::make_unique<ExportCommand>());
    return commands;
}

}  // namespace zorv::cli
