#pragma once

class QProcessEnvironment;

// How a program we start should first show its window. The desktop has no portable way to ask
// another program to start minimised, so our own programs read the wish from their environment.
namespace StartState {

// Puts the wish into the environment a child is started with.
void pass(QProcessEnvironment &environment, bool minimised);

// True when this process was asked to start minimised. The wish is removed, so programs this one
// starts in turn do not inherit it.
bool takeMinimised();

} // namespace StartState
