NCellar=01|c|7|0
GWine Store=7|05||00
GWine Store Again=7|05||00
