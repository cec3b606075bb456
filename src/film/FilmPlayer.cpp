#include "film/FilmPlayer.h"

namespace {

FilmPlayerFactory &factorySlot()
{
    static FilmPlayerFactory factory;
    return factory;
}

}  // namespace

void installFilmPlayerFactory(FilmPlayerFactory factory)
{
    factorySlot() = std::move(factory);
}

const FilmPlayerFactory &filmPlayerFactory()
{
    return factorySlot();
}
