#include "StartState.h"

#include <QProcessEnvironment>

namespace {

constexpr char Variable[] = "KEYLOOM_START_MINIMISED";

} // namespace

namespace StartState {

void pass(QProcessEnvironment &environment, bool minimised)
{
    if (minimised)
        environment.insert(QString::fromLatin1(Variable), QStringLiteral("1"));
    else
        environment.remove(QString::fromLatin1(Variable));
}

bool takeMinimised()
{
    const bool minimised = qEnvironmentVariable(Variable) == u"1";
    qunsetenv(Variable);
    return minimised;
}

} // namespace StartState
