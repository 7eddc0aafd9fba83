#include "serve/ServeMode.h"

#include "serve/DeviceLoop.h"
#include "serve/LiveServer.h"

#include "Interruption.h"

#include <ostream>

int ServeMode::run(
    Simulator& simulator, const OutputFolder& output, std::span<const Command> commands, int port, std::ostream& out)
{
    DeviceLoop loop(simulator, output);
    loop.device().runAtStart(commands, out);
    loop.publish();
    LiveServer server(loop);
    int bound = server.start(port);
    out << "lumora-sim: serving http://127.0.0.1:" << bound << "/ (Ctrl-C stops)" << std::endl;
    loop.run(&Interruption::requested);
    server.stop();
    return 0;
}
