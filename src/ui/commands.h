// SPDX-License-Identifier: GPL-3.0-or-later
// Commands of menus, toolbar and forms, and the switching between the modes.
#pragma once
#include "ui/mainwindow.h"
