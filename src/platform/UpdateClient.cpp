#include "platform/UpdateClient.h"

UpdateClient::~UpdateClient() = default;
