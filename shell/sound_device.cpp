#include "shell/sound_device.h"

#include "forms/sound_channel.h"
#include "shell/frm_main.h"

void PlayMMFile(int16_t item, const std::string& file) {
    forms::SoundChannel& channel = FrmMain->AT_MM_Alphabet(item);
    if (channel.FileName() != file) {
        channel.SetCommand("Stop");
        channel.SetCommand("Close");
        channel.SetFileName(file);
        channel.SetCommand("Open");
    } else {
        channel.SetCommand("Prev");
    }
    channel.SetCommand("Play");
}

void StopMMDevice(int16_t item) {
    forms::SoundChannel& channel = FrmMain->AT_MM_Alphabet(item);
    if (channel.Mode() == forms::mciModePlay) channel.SetCommand("Stop");
}

forms::Flag IsMMDevicePlaying(int16_t item) {
    return forms::ToFlag(FrmMain->AT_MM_Alphabet(item).Mode() == forms::mciModePlay);
}

forms::Flag IsMMDeviceFile(int16_t item, const std::string& file) {
    return forms::ToFlag(FrmMain->AT_MM_Alphabet(item).FileName() == file);
}

forms::Flag IsMMPlayingFile(int16_t item, const std::string& file) {
    return forms::ToFlag(IsMMDevicePlaying(item) && IsMMDeviceFile(item, file));
}
