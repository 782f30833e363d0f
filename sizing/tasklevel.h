#pragma once

enum class TaskLevel { Light, Medium, Heavy };
