#pragma once

class Prompter;
class SoundPlayer;
class Shell;

// The desktop services a window needs, handed down through constructors. Production wires the
// real ones in main(); tests wire the scripted and recording doubles.
struct PlatformServices
{
    Prompter *prompter = nullptr;
    SoundPlayer *sound = nullptr;
    Shell *shell = nullptr;
};
