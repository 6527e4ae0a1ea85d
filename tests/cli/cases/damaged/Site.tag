NMain=01|x|254|0
