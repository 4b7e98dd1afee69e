#include "soundhandler.h"

namespace lanternreel {

SoundHandler::SoundHandler(const Services &services)
    : m_services(services)
{
}

SoundHandler::~SoundHandler() = default;

} // namespace lanternreel
