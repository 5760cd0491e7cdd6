// objects/CObjectManager.cpp — the object manager. Objects arrive with the game-object work; until
// then a level has none and a play frame shows the background alone.
#include "objects/CObjectManager.h"

CObjectManager::CObjectManager(int max) : m_nMaxCount(max) {}

CObjectManager::~CObjectManager() = default;

void CObjectManager::reset() {}

void CObjectManager::animate(IDirectDrawSurface* /*surface*/) {}
